[playlist]
NumberOfEntries=19

File0=http://s0.example/live
Title0=Station 0
Length0=-1

File1=http://s1.example/live
Title1=Station 1
Length1=-1

File2=http://s2.example/live
Title2=Station 2
Length2=-1

File3=http://s3.example/live
Title3=Station 3
Length3=-1

File4=http://s4.example/live
Title4=Station 4
Length4=-1

File5=http://s5.example/live
Title5=Station 5
Length5=-1

File6=http://s6.example/live
Title6=Station 6
Length6=-1

File7=http://s7.example/live
Title7=Station 7
Length7=-1

File8=http://s8.example/live
Title8=Station 8
Length8=-1

File9=http://s9.example/live
Title9=Station 9
Length9=-1

File10=http://s10.example/live
Title10=Station 10
Length10=-1

File11=http://s11.example/live
Title11=Station 11
Length11=-1

File12=http://s12.example/live
Title12=Station 12
Length12=-1

File13=http://s13.example/live
Title13=Station 13
Length13=-1

File14=http://s14.example/live
Title14=Station 14
Length14=-1

File15=http://s15.example/live
Title15=Station 15
Length15=-1

File16=http://s16.example/live
Title16=Station 16
Length16=-1

File17=http://s17.example/live
Title17=Station 17
Length17=-1

File18=http://s18.example/live
Title18=Station 18
Length18=-1

Version=2
